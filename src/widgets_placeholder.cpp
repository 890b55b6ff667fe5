// Keeps the widgets library linkable before it has sources of its own.
namespace morvelin { int widgetsLibraryAnchor = 0; }
