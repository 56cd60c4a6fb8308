// Which controls form a radio group: the group begins at a control with
// WS_GROUP and ends before the next control with WS_GROUP; only radio
// buttons inside count.
#pragma once

#include "platform/qt/dialog_template.h"

#include <vector>

bool IsRadioButton(const ControlTemplate& control);
// The ids of the group's radio buttons in template order; empty when
// `firstId` is no control of `controls`.
std::vector<int> RadioGroupIds(const std::vector<ControlTemplate>& controls, int firstId);
// The radio buttons of the group that control `id` is part of.
std::vector<int> RadioGroupContaining(const std::vector<ControlTemplate>& controls, int id);
