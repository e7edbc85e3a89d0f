#pragma once

#include "vcl/Color.h"
#include "vcl/Font.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <string>

namespace vcl::qt {

QColor ToQColor(TColor Color);
QFont ToQFont(const TFont& Font);
inline QString ToQString(const std::string& Text) { return QString::fromStdString(Text); }
inline std::string FromQString(const QString& Text) { return Text.toStdString(); }
// The component model marks accelerators with "&" as Qt does; "&&" stays a literal ampersand.
inline QString MenuText(const std::string& Caption) { return ToQString(Caption); }

} // namespace vcl::qt
