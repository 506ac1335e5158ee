#pragma once

// A settings store of the test's own, for as long as the test object lives. A test that opens
// or frees the designer's windows would otherwise write the machine-wide store, which the
// user's own designer and other tests running at the same time read.

#include "Registry.h"

#include <QTemporaryDir>

class PrivateSettingsStore
{
public:
    PrivateSettingsStore() { SetSettingsRootForTesting(m_dir.path()); }
    ~PrivateSettingsStore() { SetSettingsRootForTesting(QString()); }
    PrivateSettingsStore(const PrivateSettingsStore &) = delete;
    PrivateSettingsStore &operator=(const PrivateSettingsStore &) = delete;

private:
    QTemporaryDir m_dir;
};
