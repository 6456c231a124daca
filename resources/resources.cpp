// The resources themselves are compiled by qt_add_resources into object
// libraries that link straight into every user of tf_resources, so that their
// registration cannot be dropped by the linker. This file only gives the
// tf_resources archive a member of its own.
namespace tallyfold::resources {
[[maybe_unused]] constexpr int ArchiveMember = 0;
} // namespace tallyfold::resources
