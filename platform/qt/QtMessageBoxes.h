#pragma once

#include "platform/MessageBoxes.h"

class QtMessageBoxes : public MessageBoxes
{
public:
    Answer show(Icon icon, Buttons buttons, const QString &title, const QString &text) override;
};
