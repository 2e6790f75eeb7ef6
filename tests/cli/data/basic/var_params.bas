sub Swap(byref a, byref b)
  dim t = a
  a = b
  b = t
end sub
sub AddTo(byref s, t)
  s = s & t
end sub
dim x = 1, y = 2, s = "ab"
Swap(x, y)
ShowMessage(IntToStr(x) & " " & IntToStr(y))
AddTo(s, "cd")
AddTo(s, "ef")
ShowMessage(s)
