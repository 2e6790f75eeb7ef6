function Fib(n)
  if n < 2 then
    return n
  end if
  return Fib(n - 1) + Fib(n - 2)
end function
for i = 0 to 20
  ShowMessage(IntToStr(i) & ": " & IntToStr(Fib(i)))
next
