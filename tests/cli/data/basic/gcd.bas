function Gcd(a, b)
  dim t
  while b <> 0
    t = a mod b
    a = b
    b = t
  wend
  return a
end function
function GcdRec(a, b)
  if b = 0 then
    return a
  end if
  return GcdRec(b, a mod b)
end function
ShowMessage(Gcd(48, 18))
ShowMessage(Gcd(17, 5))
ShowMessage(GcdRec(1071, 462))
ShowMessage(GcdRec(100, 75))
