// Anchors the ACT! connection library while its first classes are being written.
namespace actlink {
}
