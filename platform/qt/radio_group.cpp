#include "platform/qt/radio_group.h"
#include "platform/qt/window_styles.h"

#include <algorithm>

bool IsRadioButton(const ControlTemplate& control)
{
    DWORD kind = control.style & BS_TYPEMASK;
    return control.controlClass == ControlClass::Button && (kind == BS_AUTORADIOBUTTON || kind == BS_RADIOBUTTON);
}

std::vector<int> RadioGroupIds(const std::vector<ControlTemplate>& controls, int firstId)
{
    auto first = std::find_if(controls.begin(), controls.end(), [&](const ControlTemplate& c) { return c.id == firstId; });
    std::vector<int> ids;
    for (auto it = first; it != controls.end(); ++it) {
        if (it != first && (it->style & WS_GROUP))
            break;
        if (IsRadioButton(*it))
            ids.push_back(it->id);
    }
    return ids;
}

std::vector<int> RadioGroupContaining(const std::vector<ControlTemplate>& controls, int id)
{
    auto it = std::find_if(controls.begin(), controls.end(), [&](const ControlTemplate& c) { return c.id == id; });
    if (it == controls.end())
        return {};
    while (it != controls.begin() && !(it->style & WS_GROUP))
        --it;
    return RadioGroupIds(controls, it->id);
}
