// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string>

class QApplication;

// The application object's services.
namespace Application {
void SetTitle(const QString& title);
QString Title();
void SetHelpFile(const QString& helpFile);
QString HelpFile();
// The program's own full file name.
std::string ExeName();
// Handles the pending window messages and returns.
void ProcessMessages();
// French for the toolkit's own texts (standard buttons, dialogs).
void LoadFrenchTranslation(QApplication& app);
} // namespace Application
