#pragma once

#include "app/ProgramState.h"
#include "app/Services.h"
#include "tests/support/Fakes.h"
#include "window/Form1Behaviour.h"
#include "window/qt/Form1.h"

#include <QStringList>

#include <memory>

// The Qt window over the real behaviour, wired to fakes, with the state start-up would give it.
struct FormHarness
{
    FakeSettingsStore settings;
    FakeMessageBoxes messages;
    FakeShell shell;
    FakeProgramLocation location;
    FakeEnding ending;
    FakeTicker countdown;
    FakeLauncherStore launchers;
    FakeFileReader files;
    ProgramState state;
    std::unique_ptr<Form1> form;
    std::unique_ptr<Form1Behaviour> behaviour;

    // Entries as "file|description".
    explicit FormHarness(const QStringList &entries = {}, bool closeAfterLaunch = true)
    {
        state.programVersion = "1.11UK";
        state.startTarget = "index.htm";
        state.closeAfterLaunch = closeAfterLaunch;
        state.languageIndex = TextTable::English;
        FillTextTable(state.textTable);
        state.entryList.setCount(std::int16_t(entries.size()));
        for (int i = 0; i < entries.size(); ++i) {
            const QStringList fields = entries[i].split(u'|');
            state.entryList.setEntry(i + 1, fields.value(0).toStdString(), fields.value(1).toStdString());
        }
    }

    Form1 &make()
    {
        form = std::make_unique<Form1>();
        behaviour = std::make_unique<Form1Behaviour>(
            state, Services {settings, messages, shell, location, ending, countdown, launchers, files}, *form);
        form->setBehaviour(behaviour.get());
        behaviour->load();
        return *form;
    }

    template <typename T> T *find(const char *name) const
    {
        T *child = form->findChild<T *>(QString::fromLatin1(name));
        if (!child)
            qFatal("no child named %s", name);
        return child;
    }
};
