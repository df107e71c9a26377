// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/modHelp.h"

#include "BuildInfo.h"
#include "platform/Platform.h"
#include "shell/Form.h"

const char* const kWebSiteHost = buildinfo::kSiteAddress;
const char* const kUpdateQuestion =
    "There maybe an update to this software available\nDo you want to check for an update?";

namespace {
const QString kSection = QStringLiteral("Settings");
const QString kDurationKey = QStringLiteral("Duration");

void openPage(const char* key)
{
    platform::browser().open(pageAddress(QString::fromLatin1(key)));
}

QDate storedDate(const QString& text)
{
    const QString t = text.trimmed();
    QDateTime when = QDateTime::fromString(t, Qt::ISODateWithMs);
    if (!when.isValid())
        when = QDateTime::fromString(t, Qt::ISODate);
    if (when.isValid())
        return when.date();
    return QDate::fromString(t, Qt::ISODate);
}
} // namespace

QUrl pageAddress(const QString& pageKey)
{
    // Built by hand rather than through QUrlQuery so that nothing but the key
    // is ever added to the address.
    return QUrl(QString::fromLatin1(kWebSiteHost) + QStringLiteral("/sorvek-suite/ssd.php?page=") + pageKey);
}

void OpenHomePage()
{
    openPage("home-page");
}
void OpenHelpPage()
{
    openPage("help-web-page");
}
void OpenDownloadPage()
{
    openPage("download-web-page");
}
void OpenCoBrandPage()
{
    openPage("co-brand");
}
void OpenFullyBrandedPage()
{
    openPage("fully-branded");
}

ReminderAction reminderAction(const QString& storedDuration, const QDate& today)
{
    const QDate last = storedDate(storedDuration);
    if (!last.isValid())
        return ReminderAction::StoreSilently;
    const qint64 days = today.daysTo(last);
    return (days >= -14 && days <= 14) ? ReminderAction::StaySilent : ReminderAction::Ask;
}

QString durationText(const QDateTime& when)
{
    return when.toString(Qt::ISODate);
}

void RemindOfUpdate()
{
    const QDateTime now = platform::clock().now();
    const QString stored = platform::settings().value(kSection, kDurationKey);
    switch (reminderAction(stored, now.date())) {
    case ReminderAction::StaySilent:
        return;
    case ReminderAction::StoreSilently:
        platform::settings().setValue(kSection, kDurationKey, durationText(now));
        return;
    case ReminderAction::Ask:
        break;
    }
    const bool yes = platform::messageBoxes().askYesNo(QString::fromLatin1(kUpdateQuestion));
    // The time of the answer, so a prompt left open over midnight still counts.
    platform::settings().setValue(kSection, kDurationKey, durationText(platform::clock().now()));
    if (yes)
        OpenDownloadPage();
}

void CloseAllAndEnd()
{
    // Unloading one window may unload others; work from a fresh list each
    // time. A window a guess or a modal window runs on goes when that is over.
    QList<FormBase*> asked;
    for (bool more = true; more;) {
        more = false;
        for (FormBase* form : FormBase::loadedForms()) {
            if (asked.contains(form))
                continue;
            asked.append(form);
            form->unload();
            more = true;
            break;
        }
    }
    platform::process().end();
}
