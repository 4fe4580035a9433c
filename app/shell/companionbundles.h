#pragma once

#include <QDir>

// Unpacks the companion bundles shipped as archive resources into `programDir`, for every
// bundle whose folder is still missing. Uses /usr/bin/unzip; without it nothing is unpacked.
void unpackCompanionBundles(const QDir &programDir);
