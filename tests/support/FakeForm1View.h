#pragma once

#include "window/Form1View.h"

#include <map>
#include <string>
#include <vector>

// Records what the behaviour tells the main window to show.
class FakeForm1View : public Form1View
{
public:
    void setCaption(Control control, const std::string &text) override { captions[control] = text; }
    void setToolTip(Control control, const std::string &text) override { toolTips[control] = text; }
    void setMenuCaption(Menu menu, const std::string &text) override { menuCaptions[menu] = text; }
    void showBanner() override { ++bannerShown; }
    void fillList(const std::vector<std::string> &lines) override { list = lines; }
    void selectLine(int p) override { selected = p; }
    void setChecked(bool value) override { checked = value; }
    void setLinkColour(Colour colour) override { linkColours.push_back(colour); }

    std::string caption(Control control) const
    {
        const auto found = captions.find(control);
        return found == captions.end() ? std::string() : found->second;
    }

    std::map<Control, std::string> captions;
    std::map<Control, std::string> toolTips;
    std::map<Menu, std::string> menuCaptions;
    int bannerShown = 0;
    std::vector<std::string> list;
    int selected = -1;
    bool checked = false; // the design value
    std::vector<Colour> linkColours; // every colour written, in order
};
