#pragma once

class QCoreApplication;

// Installs the editor's translation and Qt's own (standard buttons, file
// dialogs) for the user's language, as the system locale names it. Call it
// after the application object exists and before the first window is built.
// An English or C locale keeps the English source texts.
void install_translations(QCoreApplication &app);
