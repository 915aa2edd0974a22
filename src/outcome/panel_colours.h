// The colour of the outcome and result panels.
#pragma once

#include <QColor>

namespace quimbo {

inline const QColor kOutcomePanelColour(235, 213, 188);

}  // namespace quimbo
