// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

// The entry's steps before the windows are created: French for the toolkit's texts, help file
// and title, and the JPEG output depth from the screen's.
void PrepareApplication(QApplication& app);
