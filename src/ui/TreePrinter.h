#pragma once

class QPrinter;

namespace torvalet::ui {

class ItemTreeView;

// Prints a tree as its view shows it: the header on every page, then the rows in view (hidden
// items and the children of collapsed items left out), with their pictures, fonts and colours,
// scaled down to the page's width when the columns are wider. False when the printer could not
// be started.
bool printTree(const ItemTreeView& view, QPrinter& printer);

}  // namespace torvalet::ui
