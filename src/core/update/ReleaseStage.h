#pragma once

#include <QString>

class Preferences;

// The release stage whose update feed is followed, stored as an integer under
// "checkUpdateForStage".
enum class ReleaseStage { unset = 0, stable = 1, beta = 2, nightly = 3, debug = 4, appStore = 5 };

QString displayName(ReleaseStage stage);
QString feedFile(ReleaseStage stage);
// The stored stage; nothing stored, or anything outside 0...5, reads as unset.
ReleaseStage storedReleaseStage(const Preferences& preferences);

// The feed address of the stored stage on the update host ("UpdateBaseURL").
QString xmlURL(const Preferences& preferences);
