sub Describe(n)
  select case n
    case 0
      ShowMessage("zero")
    case 1, 2
      ShowMessage("small")
    case 3..9
      ShowMessage("digit")
    case 10, 20, 30
      ShowMessage("round")
    case else
      ShowMessage("other")
  end select
end sub
for i = 0 to 11
  Describe(i)
next
Describe(20)
Describe(-1)
