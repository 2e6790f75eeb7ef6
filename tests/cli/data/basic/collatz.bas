function Steps(n)
  dim r = 0
  while n <> 1
    if n mod 2 = 0 then
      n = n \ 2
    else
      n = 3 * n + 1
    end if
    r = r + 1
  wend
  return r
end function
dim best = 0, bestN = 0
for i = 1 to 30
  if Steps(i) > best then
    best = Steps(i)
    bestN = i
  end if
next
ShowMessage(IntToStr(bestN) & " " & IntToStr(best))
ShowMessage(Steps(27))
