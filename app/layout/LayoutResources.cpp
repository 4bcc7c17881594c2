// Anchor for the resource library: the layout and artwork come in through qt_add_resources.
namespace host {
int korvaneLayoutResourcesAnchor = 0;
}
