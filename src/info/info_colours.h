// The cream colour of the splash and credits windows.
#pragma once

#include <QColor>

namespace quimbo {

inline const QColor kInfoPanelColour(250, 233, 192);

}  // namespace quimbo
