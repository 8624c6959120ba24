#pragma once

class QStatusBar;

// Says in `bar`, once per run, that earlier versions of the configuration
// file are not being kept, and why. Saves go on regardless.
void show_history_problems_in(QStatusBar *bar);
