// Windows: a file of comments alone has no entry point.
// verdict: compile-error PSMain X3501
// group: syntax
// error text: 'PSMain': entrypoint not found
// source: learn.microsoft.com/windows/win32/direct3dhlsl/hlsl-errors-and-warnings (X3501: entry point not found); fxc's "error X3501: 'main': entrypoint not found"
/* nothing
   at all */
