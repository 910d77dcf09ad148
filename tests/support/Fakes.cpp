#include "tests/support/Fakes.h"

QString FakeSettingsStore::value(const QString &section, const QString &key) const
{
    return values.value(section + u'/' + key);
}

void FakeSettingsStore::setValue(const QString &section, const QString &key, const QString &value)
{
    values.insert(section + u'/' + key, value);
    writes.append({section, key, value});
}

MessageBoxes::Answer FakeMessageBoxes::show(Icon icon, Buttons buttons, const QString &title, const QString &text)
{
    shown.append({icon, buttons, title, text});
    return buttons == Buttons::Ok ? Answer::Ok : answerToQuestions;
}

Shell::Result FakeShell::run(const QString &target)
{
    targets << target;
    return result;
}

void FakeTicker::start(int interval, std::function<void()> handler)
{
    ++starts;
    active = true;
    intervalMs = interval;
    onTick = std::move(handler);
}

void FakeTicker::tick()
{
    if (active && onTick)
        onTick();
}

bool FakeLauncherStore::writeFile(const QString &path, const QByteArray &content, bool exec)
{
    if (failWrites)
        return false;
    files.insert(path, content);
    executable.insert(path, exec);
    return true;
}
