#pragma once

#include "app/ProgramState.h"
#include "app/Services.h"
#include "tests/support/Fakes.h"
#include "window/Form1.h"

#include <QStringList>

#include <memory>

// A main window wired to fakes, with the state start-up would give it.
struct FormHarness
{
    FakeSettingsStore settings;
    FakeMessageBoxes messages;
    FakeShell shell;
    FakeProgramLocation location;
    FakeEnding ending;
    FakeTicker countdown;
    FakeLauncherStore launchers;
    ProgramState state;
    std::unique_ptr<Form1> form;

    // Entries as "file|description".
    explicit FormHarness(const QStringList &entries = {}, bool closeAfterLaunch = true)
    {
        state.programVersion = QStringLiteral("1.11UK");
        state.startTarget = QStringLiteral("index.htm");
        state.closeAfterLaunch = closeAfterLaunch;
        state.languageIndex = TextTable::English;
        FillTextTable(state.textTable);
        state.entryList.setCount(std::int16_t(entries.size()));
        for (int i = 0; i < entries.size(); ++i) {
            const QStringList fields = entries[i].split(u'|');
            state.entryList.setEntry(i + 1, fields.value(0), fields.value(1));
        }
    }

    Form1 &make()
    {
        form = std::make_unique<Form1>(state, services());
        form->load();
        return *form;
    }

    Services services() { return Services {settings, messages, shell, location, ending, countdown, launchers}; }

    template <typename T> T *find(const char *name) const
    {
        T *child = form->findChild<T *>(QString::fromLatin1(name));
        if (!child)
            qFatal("no child named %s", name);
        return child;
    }
};
