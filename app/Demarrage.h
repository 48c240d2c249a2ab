// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

// Before the application object exists: in a Wayland session that also offers an X server
// (XWayland), Qt's X11 platform, unless the user chose one. The layout places windows
// side by side, and a Wayland compositor grants no window its position.
void ChoisitPlateforme();

// The entry's steps before the windows are created: French for the toolkit's texts, help file
// and title, and the JPEG output depth from the screen's.
void PrepareApplication(QApplication& app);
