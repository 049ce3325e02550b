#include "ui/main/dialogs.h"

#include "ui/message_box.h"

namespace ixo {

void OpenTopicEditor()
{
    msg::Show(nullptr, QStringLiteral("The Topic Editor is not built yet."), QStringLiteral("IXO"));
}

void ExecAdvancedOptions(QWidget *parent)
{
    msg::Show(parent, QStringLiteral("Advanced Options are not built yet."), QStringLiteral("IXO"));
}

void ExecAbout(QWidget *parent)
{
    msg::Show(parent, QStringLiteral("The About box is not built yet."), QStringLiteral("IXO"));
}

} // namespace ixo
