#include "app_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

static void initTranslationResources()
{
    // The compiled translations live in a static library; make sure the
    // linker keeps them.
    Q_INIT_RESOURCE(vektor_translations);
}

namespace {

void installIfFound(QCoreApplication &app, const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void install_translations(QCoreApplication &app)
{
    const QLocale locale = QLocale::system();
    // Qt takes the languages from LANGUAGE even under LC_ALL=C; a C locale
    // means the untranslated program, as it does for gettext.
    if (locale.language() == QLocale::C)
        return;
    initTranslationResources();
    installIfFound(app, locale, QStringLiteral("vektor"), QStringLiteral(":/translations"));
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    const QString qtTranslations = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#else
    const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
    installIfFound(app, locale, QStringLiteral("qtbase"), qtTranslations);
}
