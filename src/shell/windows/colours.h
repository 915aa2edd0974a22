// The colours of the game's windows.
#pragma once

#include <QColor>

namespace quimbo {

inline const QColor kBoardColour(234, 196, 106);        // behind the main window's picture
inline const QColor kStatusColour(255, 192, 128);       // the status line's light orange
inline const QColor kStartButtonFace(250, 233, 192);
inline const QColor kOutcomePanelColour(235, 213, 188);  // announcements and the result
inline const QColor kInfoPanelColour(250, 233, 192);     // the splash and the credits
inline const QColor kWinnerColour(128, 0, 0);            // "Ganador"
inline const QColor kAddressColour(128, 0, 0);           // the credits' e-mail addresses
inline const QColor kAcceptFace(255, 224, 192);          // "Aceptar"

}  // namespace quimbo
