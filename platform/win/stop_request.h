// A request from outside the program, a signal, to end every modal loop as its Cancel would. A
// signal handler raises it; the message loop sees it the next time it would wait for input.
#pragma once

namespace stop_request {

// Makes the pipe that wakes a wait on a file; before a handler can raise the request. False
// when no pipe can be made: the request still works, a wait on a file just does not end for it.
bool Prepare();
// Safe inside a signal handler: sets a flag and writes a byte into the pipe. The first signal
// is the one kept.
void Raise(int signal);
// The signal that raised the request, 0 while none did.
int Signal();
// Readable once the request was raised, for a wait on a file to end with; -1 without a pipe.
int WakeFd();
// Forgets the request, for the next run in the same process.
void Clear();

}  // namespace stop_request
