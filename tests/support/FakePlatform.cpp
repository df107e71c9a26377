// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "support/FakePlatform.h"

#include "support/Modal.h"

#include <QUrlQuery>

double ScriptedRandom::next()
{
    ++draws;
    return script.isEmpty() ? fallback : script.takeFirst();
}

void InstantPause::wait(QWidget* window)
{
    ++count;
    if (during)
        during(window);
}

QStringList RecordingBrowser::pageKeys() const
{
    QStringList keys;
    for (const QUrl& url : opened)
        keys.append(QUrlQuery(url).queryItemValue(QStringLiteral("page")));
    return keys;
}

bool ScriptedMessageBoxes::askYesNo(const QString& text)
{
    shown.append({QStringLiteral("question"), text});
    if (whileAsking)
        whileAsking();
    return answers.isEmpty() ? false : answers.takeFirst();
}

namespace {

void missingService(const char* service)
{
    qFatal("The test used the platform service '%s' with no FakePlatform alive to stand in for it", service);
}

} // namespace

double rFor(int outcome, int n)
{
    return (outcome - 1 + 0.5) / n;
}

namespace {
QList<FakePlatform*>& alive()
{
    static QList<FakePlatform*> fakes; // oldest first
    return fakes;
}
} // namespace

FakePlatform::~FakePlatform()
{
    const qsizetype at = alive().indexOf(this);
    if (at == alive().size() - 1)
        platform::exchange(std::move(m_replaced));
    else // a newer one replaced ours: it puts back what we replaced
        alive()[at + 1]->m_replaced = std::move(m_replaced);
    alive().removeAt(at);
}

FakePlatform::FakePlatform()
{
    platform::setMissingServiceHandler(missingService);
    modal::failWhenStuck();
    platform::Services s;
    s.random = std::make_unique<ScriptedRandom>();
    s.pause = std::make_unique<InstantPause>();
    s.browser = std::make_unique<RecordingBrowser>();
    s.settings = std::make_unique<MemorySettings>();
    s.instanceLock = std::make_unique<FakeInstanceLock>();
    s.clipboard = std::make_unique<MemoryClipboard>();
    s.messageBoxes = std::make_unique<ScriptedMessageBoxes>();
    s.clock = std::make_unique<FixedClock>();
    s.process = std::make_unique<RecordingProcess>();
    random = static_cast<ScriptedRandom*>(s.random.get());
    pause = static_cast<InstantPause*>(s.pause.get());
    browser = static_cast<RecordingBrowser*>(s.browser.get());
    settings = static_cast<MemorySettings*>(s.settings.get());
    instanceLock = static_cast<FakeInstanceLock*>(s.instanceLock.get());
    clipboard = static_cast<MemoryClipboard*>(s.clipboard.get());
    messageBoxes = static_cast<ScriptedMessageBoxes*>(s.messageBoxes.get());
    clock = static_cast<FixedClock*>(s.clock.get());
    process = static_cast<RecordingProcess*>(s.process.get());
    m_replaced = platform::exchange(std::move(s));
    alive().append(this);
}
