#pragma once

#include "toolkit/version.h"

#include <QCoreApplication>
#include <QString>

namespace qn::toolkit {

// The version and the maker's addresses, named once for the window caption, the about box,
// the reports and the update check.
inline const QString kVersionText = QStringLiteral(QUENNARY_VERSION);
inline const QString kProductCaption = QStringLiteral("Quennary, " QUENNARY_VERSION);
inline const QString kMakerHomePage = QStringLiteral("https://tillerode.example/");
inline const QString kMakerFreewarePage = QStringLiteral("https://tillerode.example/freeware");
inline const QString kMakerSuggestionPage = QStringLiteral("https://tillerode.example/suggestions");
inline const QString kMakerSuggestionMail = QStringLiteral("mailto:suggestions@tillerode.example");
inline const QString kMakerSupportMail = QStringLiteral("mailto:support@tillerode.example");
inline const QString kMakerHomeText = QStringLiteral("tillerode.example");
// The product-information page the update check reads.
inline const QString kMakerProductInfoPage =
    QStringLiteral("https://tillerode.example/quennary/product.html");

// Names the running program "Quennary" for the platform (task bar, message boxes). No display
// name is set: Qt would append it to every window's title ("Quennary, <version> — Quennary").
inline void nameApplication() { QCoreApplication::setApplicationName(QStringLiteral("Quennary")); }

} // namespace qn::toolkit
