#pragma once

#include "platform/Ending.h"
#include "platform/LauncherStore.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramLocation.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/Ticker.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// Recording stand-ins for the desktop services. Each test makes its own.

class FakeSettingsStore : public SettingsStore
{
public:
    struct Write
    {
        QString section, key, value;
    };
    QString value(const QString &section, const QString &key) const override;
    void setValue(const QString &section, const QString &key, const QString &value) override;

    QMap<QString, QString> values; // "section/key" -> value
    QList<Write> writes;
};

class FakeMessageBoxes : public MessageBoxes
{
public:
    struct Shown
    {
        Icon icon;
        Buttons buttons;
        QString title, text;
    };
    Answer show(Icon icon, Buttons buttons, const QString &title, const QString &text) override;

    QList<Shown> shown;
    Answer answerToQuestions = Answer::No; // what Yes/No boxes answer
};

class FakeShell : public Shell
{
public:
    Result run(const QString &target) override;

    QStringList targets;
    Result result = Result::Started;
};

class FakeProgramLocation : public ProgramLocation
{
public:
    QString programDir() const override { return dir; }
    QString programFileName() const override { return fileName; }

    QString dir = QStringLiteral("/media/cdrom");
    QString fileName = QStringLiteral("startprogram");
};

class FakeEnding : public Ending
{
public:
    void endProgram() override { ++calls; }
    bool hasEnded() const override { return calls > 0; }

    int calls = 0;
};

class FakeTicker : public Ticker
{
public:
    void start(int intervalMs, std::function<void()> onTick) override;
    bool isActive() const override { return active; }
    int interval() const override { return intervalMs; }
    // One tick, as the timer would give it; a stopped ticker does not tick.
    void tick();

    bool active = false;
    int intervalMs = 1000;
    int starts = 0;
    std::function<void()> onTick;
};

class FakeLauncherStore : public LauncherStore
{
public:
    QString desktopFolder() const override { return desktop; }
    QString iconFolder() const override { return icons; }
    bool makeFolder(const QString &path) override
    {
        folders << path;
        return !failWrites;
    }
    bool writeFile(const QString &path, const QByteArray &content, bool executable) override;
    void markTrusted(const QString &path) override { trusted << path; }

    QString desktop = QStringLiteral("/home/user/Desktop");
    QString icons = QStringLiteral("/home/user/.local/share/icons/hicolor/32x32/apps");
    QMap<QString, QByteArray> files;
    QMap<QString, bool> executable;
    QStringList trusted;
    QStringList folders;
    bool failWrites = false;
};
