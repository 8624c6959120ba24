#pragma once

#include <QGuiApplication>

// A Qt 5 program draws at 1x, tiny on a 4K screen, unless it asks for scaling
// before the application object exists (Qt reads these when it is created).
// High-resolution pixmaps let icons use their large frames when scaled.
// Qt 6 always scales, but passes fractional screen factors through; the
// windows were laid out for Qt 5's whole-number factors, so those are kept.
inline void enable_high_dpi()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#else
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
#endif
}
