#pragma once

#include "data/code_page.h"

#include <QString>

#include <optional>

namespace ixo {

// The three data files that the main window opens on each load and that stay open for the practice run:
// the Issue pool, the Argument pool and the settings file.
void OpenDataFiles();
void CloseDataFiles();

// Reads the settings file into the in-memory record.
void LoadSettings();
// Writes the in-memory record to the settings file. Returns the reason on failure.
std::optional<QString> SaveSettings();

// The code page of the topic texts, chosen once at start from the locale.
CodePage PoolCodePage();
void SetPoolCodePage(CodePage page);

} // namespace ixo
