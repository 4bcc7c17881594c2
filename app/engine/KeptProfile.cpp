// The kept profile itself: the part of KeptProfile that needs the web engine (the storage choice,
// app/KeptProfile.cpp, does not).
#include <QDir>
#include <QWebEngineProfile>
#include <ostream>

#include "app/KeptProfile.h"

namespace app {

namespace {

const QString kStorageName = QStringLiteral("korvane");

}  // namespace

KeptProfile::KeptProfile(const QString& dataFolder, std::ostream& err) {
  StorageChoice choice = ChooseStorage(dataFolder, err);
  if (!choice.lock) {
    err << "korvane: " << choice.refused.toStdString() << "; this run keeps no logins or saved games" << std::endl;
    m_Profile = std::make_unique<QWebEngineProfile>();
    return;
  }
  m_Lock = std::move(choice.lock);
  m_Profile = std::make_unique<QWebEngineProfile>(kStorageName);
  m_Profile->setPersistentStoragePath(choice.storage);
  m_Profile->setCachePath(QDir(dataFolder).filePath(QStringLiteral("web-cache")));
  m_Profile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
  m_Profile->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
}

KeptProfile::~KeptProfile() {
  // The engine writes the profile out as it goes; the folder is free once the profile is gone.
  m_Profile.reset();
  if (m_Lock) m_Lock->unlock();
}

bool KeptProfile::Persistent() const { return m_Lock != nullptr; }

QString KeptProfile::StorageFolder() const { return Persistent() ? m_Profile->persistentStoragePath() : QString(); }

}  // namespace app
