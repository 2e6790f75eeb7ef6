function ToBinary(n)
  dim r = ""
  if n = 0 then r = "0"
  while n > 0
    r = IntToStr(n mod 2) & r
    n = n \ 2
  wend
  return r
end function
for i = 0 to 9
  ShowMessage(ToBinary(i))
next
ShowMessage(ToBinary(255))
ShowMessage(ToBinary(1024))
