#pragma once

#include <QCoreApplication>

// A Qt 5 program draws at 1x, tiny on a 4K screen, unless it asks for scaling
// before the application object exists (Qt reads these when it is created).
// High-resolution pixmaps let icons use their large frames when scaled.
inline void enable_high_dpi()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
}
