#include "tabdrawing.h"

#include "surface.h"

namespace tabstrip {

ColourTable resolveColourTable(const QPalette &palette)
{
    ColourTable colours;
    for (std::size_t i = 0; i < kColourTable.size(); ++i)
        colours[i] = platform::toQColor(kColourTable[i], palette);
    return colours;
}

void drawPageBorder(platform::Surface &surface, const ColourTable &colours)
{
    surface.clear();
    const int w = surface.width();
    const int h = surface.height();
    for (int i = 1; i <= 2; ++i) {
        surface.setForeColour(colours[i - 1]);
        surface.moveTo({i, h - i});
        surface.lineTo({i, i + 18});
        surface.lineTo({w - i, i + 18});
        surface.setForeColour(colours[i + 1]);
        surface.lineTo({w - i, h - i});
        surface.lineTo({i, h - i});
    }
}

void drawTabOutline(platform::Surface &surface, int left, int right, int bottomOffset, int foot,
                    const ColourTable &colours)
{
    const int h = surface.height();
    for (int j = 0; j <= 1; ++j) {
        surface.setForeColour(colours[j]);
        surface.moveTo({left + j, h - bottomOffset});
        surface.lineTo({left + j, 2});
        surface.lineTo({left + 2, j});
        surface.lineTo({right - 2, j});
        surface.setForeColour(colours[j + 2]);
        surface.moveTo({right - 2, j + 1});
        surface.lineTo({right - j - 1, 2});
        surface.lineTo({right - j - 1, h - foot});
    }
    surface.setForeColour(colours[2]);
}

} // namespace tabstrip
