// Anchor for the resource library: the layout and artwork come in through qt_add_resources.
namespace app {
int korvaneLayoutResourcesAnchor = 0;
}
