#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

namespace qn::update {

// The product-information page: the values of "META HTTP-EQUIV" tags named in `tags`.
// The tag name is matched exactly, "CONTENT=" in upper case; the first META of a line
// counts, and a later line with the same name replaces an earlier one.
std::map<QString, QString> ReadInfoTags(const QString& page, const QStringList& tags);

// "July 13, 1999": a month name (its first three letters in any case), a two-digit day
// before the first comma, a blank and a four-digit year at the end.
std::optional<QDate> ParseInfoDate(const QString& text);

// Whether `server` is a newer version than `current`, compared part by part at the dots,
// each part as a whole number (not a number counts as 0; a missing part too).
bool IsNewerVersion(const QString& current, const QString& server);

} // namespace qn::update
