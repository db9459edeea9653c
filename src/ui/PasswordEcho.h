#pragma once

class QLineEdit;

// A password field that shows each typed character as "*", as the lock fields always have, whatever
// character the style would use.
void echoAsStars(QLineEdit* edit);
