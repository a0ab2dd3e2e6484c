// What a document asks of its views when it tells them that it changed. Each document type names
// its requests in an enumeration of its own (CZelmViewDoc::ViewHint, say); the framework carries
// them as this small value without knowing what they mean, and a view reads it back as its
// document's enumeration. The default hint, value 0, asks a view to show the whole document (the
// first showing sends it); each document type gives its own value 0 that meaning.
#pragma once

#include <type_traits>

namespace docview {

class UpdateHint {
public:
    constexpr UpdateHint() = default;
    template <typename Hint>
    requires std::is_enum_v<Hint>
    constexpr UpdateHint(Hint hint) : value(static_cast<int>(hint)) {}

    // The hint as the enumeration of the document that sent it.
    template <typename Hint>
    requires std::is_enum_v<Hint>
    constexpr Hint As() const { return static_cast<Hint>(value); }

    constexpr bool operator==(const UpdateHint&) const = default;

private:
    int value = 0;
};

}  // namespace docview
