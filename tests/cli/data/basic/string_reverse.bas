function Reverse(s as string) as string
  dim r as string = ""
  for i = Length(s) to 1 step -1
    r = r & s[i]
  next
  return r
end function
ShowMessage(Reverse("Lumaro"))
ShowMessage(Reverse(""))
ShowMessage(Reverse("ab cd"))
