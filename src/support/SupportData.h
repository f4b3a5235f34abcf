#pragma once
// The compiled-in lists of the contributor and more-software pages, one
// tab-separated line per row.

#include <QStringList>

namespace termora::support {

// Name, website, Facebook, Twitter, Google Plus ("-" where there is none),
// contribution with its date ("|" breaks the line).
QStringList contributorLines();

// Name, version, description, rating, download link, icon number, share
// link (may be empty). Termora's own row is among them.
QStringList moreSoftwareLines();

}  // namespace termora::support
