#pragma once

// `Tamrin --checkin`: the program as the door PC runs it, the check-in window alone on the whole screen
// in kiosk mode, on the school's database. Returns the exit code.
namespace CheckInStation {
int run();
}
