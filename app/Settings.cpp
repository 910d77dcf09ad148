#include "app/Settings.h"

#include "app/ProgramState.h"
#include "platform/SettingsStore.h"
#include "texts/ProductTexts.h"

#include <QRegularExpression>

namespace {

QString key(const char16_t *name)
{
    return QString::fromUtf16(name);
}

void store(SettingsStore &settings, const char16_t *name, const QString &value)
{
    settings.setValue(key(SettingsKeys::Section), key(name), value);
}

} // namespace

std::optional<bool> parseBoolean(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    if (!wholeNumber.match(trimmed).hasMatch())
        return std::nullopt;
    // Any digits other than zeros make a non-zero number, however long.
    return trimmed.contains(QRegularExpression(QStringLiteral("[1-9]")));
}

QString booleanText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

void LoadSettings(ProgramState &state, SettingsStore &settings)
{
    state.programVersion = QString::fromUtf16(ProductTexts::ProgramVersion);
    state.tickCount = 0;

    const auto repair = [&] {
        state.startTarget = QString::fromUtf16(ProductTexts::UsagePage);
        state.closeAfterLaunch = true;
        store(settings, SettingsKeys::StartPage, QString::fromUtf16(ProductTexts::UsagePage));
        store(settings, SettingsKeys::CloseAfterLaunch, booleanText(true));
    };

    state.startTarget = settings.value(key(SettingsKeys::Section), key(SettingsKeys::StartPage));

    const std::optional<bool> close
        = parseBoolean(settings.value(key(SettingsKeys::Section), key(SettingsKeys::CloseAfterLaunch)));
    if (close)
        state.closeAfterLaunch = *close;
    else
        repair();

    if (state.startTarget.isEmpty()) {
        state.startTarget = QString::fromUtf16(ProductTexts::DefaultStartPage);
        store(settings, SettingsKeys::StartPage, state.startTarget);
    }
}

void StoreCloseAfterLaunch(SettingsStore &settings, bool closeAfterLaunch)
{
    store(settings, SettingsKeys::CloseAfterLaunch, booleanText(closeAfterLaunch));
}
