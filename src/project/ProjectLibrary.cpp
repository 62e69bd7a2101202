// Anchors the project library while its first classes are being written.
namespace project {
}
