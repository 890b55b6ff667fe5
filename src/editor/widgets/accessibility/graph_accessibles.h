#pragma once
// Accessible interfaces of the response graph: the graph is an image described by the page's
// bands, and each band point a button named after its band ("EQ3", "HPF", "LPF") and
// described by the text its value label shows.

class QAccessibleInterface;
class QObject;

namespace morvelin::a11y {

// The interface of the graph, its image or one of its points; nullptr for other objects.
QAccessibleInterface* GraphInterface(QObject* object);

}  // namespace morvelin::a11y
