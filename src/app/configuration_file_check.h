#pragma once

#include <QString>

class QWidget;

// A chosen file that is not the size of a Vektor memory is most likely the
// wrong file, and the next save would replace it with a Vektor memory: ask
// first. Returns true when the file may be used.
bool confirmUnusualConfigurationFile(QWidget *parent, const QString &path);
