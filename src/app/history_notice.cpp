#include "history_notice.h"

#include "version_keeping.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>

void show_history_problems_in(QStatusBar *bar)
{
    QPointer<QStatusBar> shown(bar);
    on_history_problem([shown](const QString &reason) {
        if (!shown)
            return;
        // A label of its own: passing status tips would wipe a plain message.
        auto *notice = new QLabel(
            QCoreApplication::translate("History", "Earlier versions of the configuration file are not being kept: %1.")
                .arg(reason),
            shown);
        notice->setObjectName(QStringLiteral("historyNotice"));
        // Wrapped: a long path must not widen the window.
        notice->setWordWrap(true);
        notice->setToolTip(notice->text());
        shown->addWidget(notice, 1);
    });
}
