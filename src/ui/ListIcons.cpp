#include "ui/ListIcons.h"

#include "ui/IconTheme.h"

#include <array>

// Outside any namespace, as the resource macro needs.
static void InitIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace parlix::ui {

void InitResources() {
    // The icons live in a static library: registering them links them in.
    static const bool done = (InitIconResources(), ChooseIconTheme(), true);
    (void)done;
}

QIcon IconFor(ListIcon icon) {
    static constexpr std::array<const char*, 13> kFiles = {"wordset",
                                                           "group",
                                                           "password",
                                                           "trigger",
                                                           "sound-table",
                                                           "messages",
                                                           "word",
                                                           "command",
                                                           "password-command",
                                                           "sound",
                                                           "message-slot",
                                                           "command-conflict",
                                                           "password-command-conflict"};
    const auto index = static_cast<std::size_t>(icon);
    if (index >= kFiles.size()) return {};
    return QIcon(QStringLiteral(":/icons/list/%1.svg").arg(QLatin1String(kFiles[index])));
}

}  // namespace parlix::ui
