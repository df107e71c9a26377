// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The commands every window shares: opening the maker's web pages, the
// periodic update reminder and the program's shut-down.

#include <QDate>
#include <QString>
#include <QUrl>

// Where every page lives; only the page key changes.
extern const char* const kWebSiteHost;

QUrl pageAddress(const QString& pageKey);

void OpenHomePage();
void OpenHelpPage();
void OpenDownloadPage();
void OpenCoBrandPage();
void OpenFullyBrandedPage();

enum class ReminderAction {
    StoreSilently, // never ran, or the stored value is not a date
    StaySilent,    // ran within the last or next 14 days
    Ask,           // further away: ask, then store today
};

// What the reminder does with the stored `Duration` text, today.
ReminderAction reminderAction(const QString& storedDuration, const QDate& today);

// The text form of the stored date: ISO 8601, readable by people too.
QString durationText(const QDateTime& when);

void RemindOfUpdate();

// Unloads every loaded window and ends the process. Returns to its caller,
// which must do nothing more.
void CloseAllAndEnd();

extern const char* const kUpdateQuestion;
