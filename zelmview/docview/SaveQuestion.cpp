#include "docview/SaveQuestion.h"

#include <utility>

namespace docview {
namespace {

// A handler in force: the installed one, or the standard one while none is installed.
template <typename Handler>
struct HandlerSlot {
    Handler standard;
    Handler installed;
    const Handler& current() const { return installed ? installed : standard; }
};

HandlerSlot<SaveChangesHandler>& saveChanges()
{
    static HandlerSlot<SaveChangesHandler> slot{[](const QString&) { return SaveAnswer::Cancel; }, {}};
    return slot;
}

HandlerSlot<SaveAsPathHandler>& saveAsPath()
{
    static HandlerSlot<SaveAsPathHandler> slot{[](const Document&) { return QString(); }, {}};
    return slot;
}

}  // namespace

SaveAnswer askSaveChanges(const QString& title)
{
    return saveChanges().current()(title);
}

QString askSaveAsPath(const Document& document)
{
    return saveAsPath().current()(document);
}

SaveChangesHandler setSaveChangesHandler(SaveChangesHandler handler)
{
    return std::exchange(saveChanges().installed, std::move(handler));
}

SaveAsPathHandler setSaveAsPathHandler(SaveAsPathHandler handler)
{
    return std::exchange(saveAsPath().installed, std::move(handler));
}

void setStandardSaveHandlers(SaveChangesHandler saveChangesHandler, SaveAsPathHandler saveAsPathHandler)
{
    saveChanges().standard = std::move(saveChangesHandler);
    saveAsPath().standard = std::move(saveAsPathHandler);
}

}  // namespace docview
