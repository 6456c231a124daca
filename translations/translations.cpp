// The compiled translations are put by qt_add_translations into an object
// library that links straight into every user of tf_translations, so that
// their registration cannot be dropped by the linker. This file only gives
// the tf_translations archive a member of its own.
namespace tallyfold::translations {
[[maybe_unused]] constexpr int ArchiveMember = 0;
} // namespace tallyfold::translations
