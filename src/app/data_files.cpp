#include "app/data_files.h"

#include "app/program_folder.h"
#include "app/test_state.h"
#include "data/settings.h"
#include "data/topic_pool.h"

#include <QFile>

namespace ixo {

namespace {
CodePage &codePage()
{
    static CodePage page = CodePage::Windows1252;
    return page;
}
} // namespace

CodePage PoolCodePage()
{
    return codePage();
}

void SetPoolCodePage(CodePage page)
{
    codePage() = page;
}

void OpenDataFiles()
{
    OpenTopicPools(DataFolder(), codePage());
    // The settings file is created empty when it does not exist yet; its record is written at close.
    QFile settings(SettingsFilePath());
    if (!settings.exists())
        settings.open(QIODevice::WriteOnly | QIODevice::Append);
}

void CloseDataFiles()
{
    CloseTopicPools();
}

void LoadSettings()
{
    Settings() = ReadSettingsFile(SettingsFilePath());
}

std::optional<QString> SaveSettings()
{
    return WriteSettingsFile(SettingsFilePath(), Settings());
}

} // namespace ixo
