#include "AboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "DialogLayout.h"
#include "Icons.h"
#include "KelraConfig.h"

namespace kelra {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    DialogLayout layout(this, QStringLiteral("About Kelra"), 235, 55);
    auto* icon = layout.Add(new QLabel, 0, 11, 17, 20, 20);
    const QSize iconSize = layout.Units().Size(20, 20);
    icon->setPixmap(AppIcon().pixmap(std::min(iconSize.width(), iconSize.height())));
    auto* version = layout.Label(QStringLiteral("Kelra Version " KELRA_VERSION_SHORT), Qt::AlignLeft, 40, 10, 119, 8);
    version->setTextFormat(Qt::PlainText);
    layout.Label(QStringLiteral("Copyright (C) 2026 Telmark. All rights reserved."), Qt::AlignLeft, 40, 25, 188, 8);
    QPushButton* ok = layout.Button(1, QStringLiteral("OK"), 178, 7, 50, 16);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout.Label(QStringLiteral("Biorhythms for everyone, one chart a day."), Qt::AlignLeft, 40, 40, 188, 8);
}

}  // namespace kelra
