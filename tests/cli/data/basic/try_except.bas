dim a = 10, b = 0, c = -1
try
  c = a \ b
  ShowMessage("not here")
catch
  ShowMessage("division failed")
end try
ShowMessage(c)
try
  c = a \ 5
catch
  ShowMessage("no")
end try
ShowMessage(c)
