#pragma once

class QString;
class QWidget;

// Gives every control of a window that has no accessible name yet the name a
// screen reader should announce: a button, check box or frame its own caption;
// a text box, list or other captionless control the caption of what Qt
// reports as labelling it, the label made its buddy in the window's design or
// else its frame, without the colon and what follows it. Labels keep their own
// text, which the screen reader reads as it changes. Names already set in the
// window's design are kept.
void setAccessibleNames(QWidget* window);

// Makes screen readers see top-level windows made from a plain QWidget as
// windows rather than as a pane. Call before the first such window is made.
void exposeWithWindowRole();

// A caption as it reads aloud: without the access-key marker "&" ("&&" stands
// for a real "&"), the surrounding blanks or a closing colon.
QString spokenCaption(const QString& caption);
