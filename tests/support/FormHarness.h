#pragma once

#include "tests/support/FakeServices.h"
#include "window/Form1Behaviour.h"
#include "window/qt/Form1.h"

#include <QStringList>

#include <memory>

// The Qt window over the real behaviour, wired to fakes, with the state start-up would give it.
struct FormHarness : FakeServices
{
    ProgramState state;
    std::unique_ptr<Form1> form;
    std::unique_ptr<Form1Behaviour> behaviour;

    // Entries as "file|description".
    explicit FormHarness(const QStringList &entries = {}, bool closeAfterLaunch = true)
    {
        std::vector<std::pair<std::string, std::string>> pairs;
        pairs.reserve(std::size_t(entries.size()));
        for (const QString &entry : entries)
            pairs.emplace_back(entry.section(u'|', 0, 0).toStdString(), entry.section(u'|', 1).toStdString());
        fillState(state, pairs, closeAfterLaunch);
    }

    Form1 &make()
    {
        form = std::make_unique<Form1>();
        behaviour = std::make_unique<Form1Behaviour>(state, services(), *form);
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
